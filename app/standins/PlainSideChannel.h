#pragma once
// A plain panel standing in for the skinned side channel: docked to the left or right edge of
// its parent, it shows a 10-pixel bar until a click opens it to its open width (OnPop), and a
// second click on its own surface closes it again (OnPush). As in the skinned channel, the
// published Width is the open width and Align takes suiLeft or suiRight.

#include "framework/stdctrls/Panel.h"

enum class TsuiSideChannelAlign { suiLeft, suiRight };

class TPlainSideChannel : public fw::Panel {
public:
    static constexpr int BarWidth = 10;

    explicit TPlainSideChannel(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
    static const fw::EnumInfo& AlignInfo();

    int OpenWidth() const { return openWidth_; }
    // Stores the open width; an open channel takes it at once.
    void SetOpenWidth(int width);
    TsuiSideChannelAlign SideAlign() const { return sideAlign_; }
    void SetSideAlign(TsuiSideChannelAlign a);
    bool Opened() const { return opened_; }
    fw::Color SideBarColor() const { return sideBarColor_; }
    void SetSideBarColor(fw::Color c);

    void Pop();
    void Push();

    void Loaded() override;

    fw::NotifyEvent OnPop;
    fw::NotifyEvent OnPush;

protected:
    void MouseUp(fw::MouseButton button, fw::ShiftState shift, int x, int y) override;
    void Paint() override;

private:
    int openWidth_ = 0;
    TsuiSideChannelAlign sideAlign_ = TsuiSideChannelAlign::suiLeft;
    fw::Color sideBarColor_ = fw::clBtnFace;
    bool opened_ = false;
};

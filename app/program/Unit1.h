#pragma once
// The main window of the password book, read from its designed description "TFORM1".

#include "framework/forms/Form.h"

class TForm1 : public fw::Form {
public:
    explicit TForm1(fw::Component* owner);

    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& ClassType() const override { return StaticClass(); }
};

#include "app/program/Unit1.h"

#include "framework/core/ClassBuilder.h"

TForm1::TForm1(fw::Component* owner) : fw::Form(owner) {}

const fw::ClassInfo& TForm1::StaticClass() {
    static const fw::ClassInfo& info = fw::ClassBuilder<TForm1>("TForm1", fw::Form::StaticClass()).Register();
    return info;
}

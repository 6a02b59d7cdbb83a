#include "framework/core/Persistent.h"

#include "framework/core/ClassInfo.h"

#include <memory>

namespace fw {

const ClassInfo& Persistent::StaticClass() {
    static const ClassInfo& info =
        RegisterClassInfo(std::make_unique<ClassInfo>("TPersistent", nullptr, ClassInfo::Factory(),
                                                      std::vector<PropertyInfo>(), std::vector<HandlerInfo>()));
    return info;
}

const ClassInfo& Persistent::ClassType() const { return StaticClass(); }

std::string Persistent::ClassName() const { return ClassType().Name(); }

} // namespace fw

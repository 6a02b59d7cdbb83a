#pragma once
// Makes every standard control class known to the class registry, so that designed windows
// can name them (a class otherwise registers the first time the program uses it).

namespace fw {

void RegisterStandardControls();

} // namespace fw

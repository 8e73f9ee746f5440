#pragma once

#include <string>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/system/registry.h"

namespace klonkatron {

// The About window: OK sets the board's pop-up timers going again, the
// emblem opens the picture window, and "&System Info..." starts the
// system's information tool, found through the registry.
class FrmAbout : public forms::Form {
public:
    explicit FrmAbout(forms::Application& app);

    // Starts the system-information tool, or says that there is none. Every
    // run-time error on the way ends in that message.
    forms::Task StartSysInfo();

    // Reads one registry value into `valueText`: a text as it is stored, a
    // 32-bit number as "&h" and hexadecimal digits; any other type leaves
    // `valueText` as it was. True when the value was read.
    bool GetKeyValue(forms::Registry::Key root, const std::string& keyPath,
                     const std::string& valueName, std::string& valueText);

private:
    void cmdOK_Click();
    forms::Task cmdSysInfo_Click() { return StartSysInfo(); }
    void Image1_Click();

    // The path of the tool from the two look-ups, or false.
    bool findSysInfo(std::string& path);
};

}  // namespace klonkatron

#pragma once

#include "forms/application.h"
#include "forms/form.h"

namespace klonkatron {

// The text window: it shows its text until its button closes it.
class FrmSplash1 : public forms::Form {
public:
    explicit FrmSplash1(forms::Application& app);

private:
    void Command1_Click();
};

}  // namespace klonkatron

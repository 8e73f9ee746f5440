#pragma once

#include "forms/application.h"
#include "forms/form.h"

namespace klonkatron {

// The picture window: the photograph of the dog, closed by a click on it.
class Form2 : public forms::Form {
public:
    explicit Form2(forms::Application& app);

private:
    void Image1_Click();
};

}  // namespace klonkatron

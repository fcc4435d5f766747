#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The colour and font settings window.
class Cwiat : public forms::Form {
public:
    explicit Cwiat(app::Program& program);
    void Form_Load() {}

private:
    app::Program& program_;
};

#include "ui/dispatcher.h"

#include "program/program.h"

namespace ui {

void Dispatcher::run(const std::function<void()>& handler)
{
    if (program_.ended())
        return;
    ++depth_;
    handler();
    if (--depth_ == 0)
        program_.releaseUnloaded();
}

bool Dispatcher::ended() const { return program_.ended(); }

}  // namespace ui

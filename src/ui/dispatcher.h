#pragma once

#include <functional>

namespace app {
class Program;
}

namespace ui {

// Runs the program's handlers for what the user and the timers do. Windows
// unloaded by a handler are released once the outermost handler returns, and
// nothing runs after the program has ended.
class Dispatcher {
public:
    explicit Dispatcher(app::Program& program) : program_(program) {}
    void run(const std::function<void()>& handler);
    bool ended() const;

private:
    app::Program& program_;
    int depth_ = 0;
};

}  // namespace ui

// A deliberate leak inside a timer handler of a window. The sanitizer build must report it: proof that
// the leak check still sees into handlers, however the suppressions for the libraries read.
#include "platform/Form.h"
#include <QApplication>

namespace {
bool ticked = false;

[[gnu::noinline]] void LeakInTimerHandler() {
    int *volatile lost = new int[16];
    lost[0] = 1;
    lost = nullptr;
    ticked = true;
}

class Canary : public Form {
  public:
    Canary() {
        AddTimer(1, true)->Tick = [] { LeakInTimerHandler(); };
    }
};
} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    Win<Canary>();
    PumpUntil([] { return ticked; });
    Unload<Canary>();
    return 0;
}

#include "interrupts.h"

#include <atomic>
#include <csignal>
#include <cstdlib>

namespace zel::cli {

namespace {

std::atomic<int> gInterrupts{0};
std::atomic<int> gFirstSignal{0};

void onSignal(int signal) {
  int none = 0;
  gFirstSignal.compare_exchange_strong(none, signal);
  if (gInterrupts.fetch_add(1) >= 1) std::_Exit(kExitInterrupted);  // a second one leaves at once
}

}  // namespace

InterruptWatch::InterruptWatch() {
  gInterrupts = 0;
  gFirstSignal = 0;
  previousInt_ = std::signal(SIGINT, onSignal);
  previousTerm_ = std::signal(SIGTERM, onSignal);
}

InterruptWatch::~InterruptWatch() {
  std::signal(SIGINT, previousInt_);
  std::signal(SIGTERM, previousTerm_);
}

bool InterruptWatch::interrupted() { return gInterrupts.load() > 0; }

std::string InterruptWatch::cause() {
  switch (gFirstSignal.load()) {
    case SIGINT:
      return "Ctrl-C";
    case SIGTERM:
      return "SIGTERM";
    default:
      return "";
  }
}

}  // namespace zel::cli

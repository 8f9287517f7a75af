#pragma once
// The host's sign that a request is under way (a spinner in a window, a count
// on a terminal). The engine starts and stops it; the host fills it in.
namespace zel {

class ProgressIndicator {
 public:
  virtual ~ProgressIndicator() = default;
  virtual void startAnimation() = 0;
  virtual void stopAnimation() = 0;
};

}  // namespace zel

#pragma once

#include <QString>
#include <cstdint>
#include <deque>
#include <random>
#include <string>

class QWidget;

namespace tarvel::testing {

/// Random user input on a window and whatever it opens: keys, typing, clicks, wheel turns,
/// pastes, drops, menu items and resizes, each one event. The same seed gives the same
/// events, so a finding can be replayed, as long as nothing on top is closed by the clock
/// while no event is on its way (see Sending).
class Monkey {
 public:
  Monkey(QWidget& window, std::uint64_t seed) : window_(window), random_(seed) {}

  /// Sends one random event and lets the window answer it.
  void Act();

  /// The last events sent, oldest first, to say how a finding came about.
  const std::deque<std::string>& Recent() const { return recent_; }

  /// True while an event is being sent: a dialog or a menu that runs its own event loop then
  /// holds the event up until something closes it.
  bool Sending() const { return sending_; }

 private:
  int Below(int bound);
  bool OneIn(int chances) { return Below(chances) == 0; }
  QWidget* AnyVisibleWidget();
  QWidget* KeyTarget();
  QString AnyText();
  void Note(std::string event);

  void PressKey();
  void TypeText();
  void Click();
  void TurnWheel();
  void Paste();
  void Drop();
  void TriggerMenuItem();
  void FocusAnyWidget();
  void Resize();

  QWidget& window_;
  std::mt19937_64 random_;
  std::deque<std::string> recent_;
  bool sending_ = false;
};

}  // namespace tarvel::testing

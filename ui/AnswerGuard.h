// Keeps a window's answers beside the inputs they were computed from.
#pragma once

namespace ui {

// The searches a window starts let events run (the background hook runs
// the event loop inside their loops), so two things can happen while one
// runs: an input changes, and a button is pressed again. The guard counts
// the changes, so that an answer whose inputs changed meanwhile is dropped,
// and marks a calculation as running, so that a second one does not start
// inside the first.
//
//   guard_.Changed();                          // in every input's handler
//
//   if (guard_.Running()) return;              // in a button's handler
//   const ui::AnswerGuard::Run run(guard_);
//   const ui::AnswerGuard::Ticket asked = guard_.Take();
//   ... the search ...
//   if (!guard_.Current(asked)) return;        // inputs changed meanwhile
class AnswerGuard {
 public:
  // The inputs as they were when it was taken.
  class Ticket {
   public:
    // Stands for the inputs before their first change.
    Ticket() = default;

   private:
    friend class AnswerGuard;
    explicit Ticket(unsigned changes) : changes_(changes) {}
    unsigned changes_ = 0;
  };

  // An input changed: answers for the inputs before are stale.
  void Changed() { ++changes_; }
  Ticket Take() const { return Ticket(changes_); }
  // No input changed since the ticket was taken.
  bool Current(Ticket t) const { return t.changes_ == changes_; }

  // A calculation under this guard is running.
  bool Running() const { return running_; }

  // Marks a calculation as running for the life of the scope, however the
  // scope ends.
  class Run {
   public:
    explicit Run(AnswerGuard& guard) : guard_(guard) { guard_.running_ = true; }
    ~Run() { guard_.running_ = false; }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

   private:
    AnswerGuard& guard_;
  };

 private:
  unsigned changes_ = 0;
  bool running_ = false;
};

}  // namespace ui

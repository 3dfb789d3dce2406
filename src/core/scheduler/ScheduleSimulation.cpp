#include "ScheduleSimulation.h"

#include <algorithm>

std::uint32_t WindowsTimerDelayMs(std::uint32_t delayMs) {
  return std::clamp(delayMs, WindowsTimerLeastMs, WindowsTimerMostMs);
}

namespace {

constexpr std::int64_t MinuteMs = MinuteMilliseconds;

class Simulation {
 public:
  explicit Simulation(ScheduleTimeline& timeline) : timeline_(timeline) {}

  void Start(const std::optional<ScheduleSettings>& read) {
    Carry(read ? machine_.Start(*read) : machine_.StartUnreadable(), ScheduleEvent::Kind::Switch);
    timeline_.settings = machine_.Settings();
    const std::int32_t counted = machine_.TicksLeftToCount();
    machine_.CountTicks(counted);
    timeline_.countedMinutes = counted;
    minute_ = counted;
  }

  void RunMinutes(int minutes) {
    for (int i = 0; i < minutes; ++i) {
      RunTimersBefore((minute_ + 1) * MinuteMs);
      ++minute_;
      nowMs_ = minute_ * MinuteMs;
      Carry(machine_.Tick(), ScheduleEvent::Kind::Switch);
    }
    RunTimersBefore((minute_ + 1) * MinuteMs);
  }

 private:
  struct Timer {
    ScheduleTimerId id;
    std::int64_t dueMs;
    std::uint32_t periodMs;
  };

  // Timers due before `endMs` fire in time order. One due at the very
  // millisecond of a minute tick waits for the tick: which of the two Windows
  // delivers first is not settled, and the tick first is the case in which
  // a switch back of exactly a minute does not come.
  void RunTimersBefore(std::int64_t endMs) {
    for (;;) {
      const auto next = std::min_element(timers_.begin(), timers_.end(),
                                         [](const Timer& a, const Timer& b) { return a.dueMs < b.dueMs; });
      if (next == timers_.end() || next->dueMs >= endMs) return;
      nowMs_ = next->dueMs;
      next->dueMs += next->periodMs;  // a thread timer repeats until killed
      Carry(machine_.FollowUp(next->id), ScheduleEvent::Kind::SwitchBack);
    }
  }

  void Carry(ScheduleActions actions, ScheduleEvent::Kind command) {
    for (;;) {
      if (actions.kill) Kill(actions.killTimer, command);
      if (actions.send) {
        online_ = !online_;
        timeline_.events.push_back({command, minute_, nowMs_, online_});
      }
      if (actions.arm) {
        const std::uint32_t delay = WindowsTimerDelayMs(actions.armDelayMs);
        timers_.push_back({nextTimerId_, nowMs_ + delay, delay});
        if (timeline_.timerDelayMs == 0) {  // the first arming; Windows' delay is never 0
          timeline_.armedDelayMs = actions.armDelayMs;
          timeline_.timerDelayMs = delay;
        }
        actions = machine_.TimerArmed(nextTimerId_++);
      } else if (actions.probe) {
        actions = machine_.ProbeAnswered(true);
      } else {
        return;
      }
    }
  }

  void Kill(ScheduleTimerId id, ScheduleEvent::Kind command) {
    const auto timer = std::find_if(timers_.begin(), timers_.end(), [id](const Timer& t) { return t.id == id; });
    if (timer == timers_.end()) return;
    timers_.erase(timer);
    // A follow-up kills its own timer as it fires; a minute's kill cancels one
    // that has not fired.
    if (command == ScheduleEvent::Kind::Switch) {
      timeline_.events.push_back({ScheduleEvent::Kind::SwitchBackCancelled, minute_, nowMs_, online_});
    }
  }

  ScheduleTimeline& timeline_;
  ReconnectSchedule machine_;
  std::vector<Timer> timers_;
  ScheduleTimerId nextTimerId_ = 1;
  std::int64_t minute_ = 0;
  std::int64_t nowMs_ = 0;
  bool online_ = true;
};

// The facts the check states, read off the events.
void ReadFacts(ScheduleTimeline& timeline) {
  using Kind = ScheduleEvent::Kind;
  const auto& events = timeline.events;
  const auto first =
      std::find_if(events.begin(), events.end(), [](const ScheduleEvent& e) { return e.kind == Kind::Switch; });
  if (first == events.end()) return;
  timeline.firstSwitchMinute = first->minute;
  // What became of its switch back comes next.
  const auto after = first + 1;
  if (after == events.end()) return;
  if (after->kind == Kind::SwitchBack) timeline.switchBackAfterMs = after->atMs - first->atMs;
  timeline.nextSwitchCancelsSwitchBack = after->kind == Kind::SwitchBackCancelled;
}

}  // namespace

ScheduleSettings SettingsInUse(const std::optional<ScheduleSettings>& read) {
  ReconnectSchedule machine;
  read ? machine.Start(*read) : machine.StartUnreadable();
  return machine.Settings();
}

ScheduleTimeline SimulateSchedule(const std::optional<ScheduleSettings>& read, int switchingMinutes) {
  ScheduleTimeline timeline;
  Simulation simulation(timeline);
  simulation.Start(read);
  simulation.RunMinutes(switchingMinutes);
  ReadFacts(timeline);
  return timeline;
}

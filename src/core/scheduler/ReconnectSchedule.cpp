#include "ReconnectSchedule.h"

ScheduleActions ReconnectSchedule::Start(const ScheduleSettings& settings) {
  const ScheduleActions actions = StartUnreadable();
  settings_ = settings;
  return actions;
}

ScheduleActions ReconnectSchedule::StartUnreadable() {
  ScheduleActions actions;
  // A follow-up armed before this start would otherwise be forgotten, and
  // a forgotten thread timer fires for ever.
  CancelFollowUp(actions);
  minuteCount_ = 0;
  probe_ = Probe::None;
  return actions;
}

std::int32_t ReconnectSchedule::TicksLeftToCount() const {
  return minuteCount_ < settings_.intervalMinutes ? settings_.intervalMinutes - minuteCount_ : 0;
}

void ReconnectSchedule::CountTicks(std::int32_t ticks) {
  const std::int32_t left = TicksLeftToCount();
  if (ticks > 0) minuteCount_ += ticks < left ? ticks : left;
}

ScheduleActions ReconnectSchedule::Tick() {
  ScheduleActions actions;
  if (TicksLeftToCount() > 0) {
    ++minuteCount_;
    return actions;
  }
  probe_ = Probe::OfTick;
  actions.probe = true;
  return actions;
}

ScheduleActions ReconnectSchedule::ProbeAnswered(bool probeItemGrayed) {
  const Probe probe = probe_;
  probe_ = Probe::None;
  ScheduleActions actions;
  if (!probeItemGrayed || probe == Probe::None) return actions;
  actions.send = true;
  if (probe == Probe::OfTick) {
    // The new minute's switch replaces the pending switch back, before its
    // command goes: the host may pump messages while it handles it.
    CancelFollowUp(actions);
    actions.arm = true;
    actions.armDelayMs = static_cast<std::uint32_t>(settings_.connectWaitMs);
  }
  return actions;
}

ScheduleActions ReconnectSchedule::FollowUp(ScheduleTimerId timer) {
  ScheduleActions actions;
  // Cancel before toggling: a thread timer repeats until killed, and the
  // host may pump messages while it handles the command.
  actions.kill = true;
  actions.killTimer = timer;
  // KillTimer does not take back a WM_TIMER already queued, so a follow-up
  // cancelled by exit, a new start or a new arming can still arrive here.
  if (timer == 0 || timer != pendingTimer_) return actions;
  pendingTimer_ = 0;
  probe_ = Probe::OfFollowUp;
  actions.probe = true;
  return actions;
}

ScheduleActions ReconnectSchedule::TimerArmed(ScheduleTimerId timer) {
  ScheduleActions actions;
  // Only a tick that the host delivered while it handled the command can
  // have armed meanwhile; one pending timer all the same.
  CancelFollowUp(actions);
  pendingTimer_ = timer;
  return actions;
}

ScheduleActions ReconnectSchedule::Exit() {
  ScheduleActions actions;
  CancelFollowUp(actions);
  return actions;
}

void ReconnectSchedule::CancelFollowUp(ScheduleActions& actions) {
  if (pendingTimer_ == 0) return;
  actions.kill = true;
  actions.killTimer = pendingTimer_;
  pendingTimer_ = 0;
}

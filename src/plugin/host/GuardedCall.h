#pragma once
// Calls into code the plug-in does not own (the host's functions) under a
// structured-exception frame, so that an access violation or a
// RaiseException inside them fails the call instead of taking the host's
// process down from inside the plug-in.
//
// GCC on 32-bit Windows has no __try/__except, so the frame is pushed by hand
// (GuardedCall.S): an EXCEPTION_REGISTRATION record on the stack, linked into
// the thread's chain at fs:[0]. Its handler first unwinds the frames the
// guarded code installed (RtlUnwind, as __except does), then resumes at the
// guard's own exit with the stack pointer and frame pointer it had on entry.

// Runs body(context); false when a structured exception ended it early.
// Exceptions that the guarded code handles itself are never seen here.
extern "C" bool CallGuarded(void (*body)(void* context), void* context);

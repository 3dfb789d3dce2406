// GuardedCall.S cannot include <windows.h>; these checks make sure the numbers
// it uses are the headers' own, so a header change breaks the build instead of
// the guard.
#include "GuardedCallLayout.h"

#include <windows.h>

#include <cstddef>

static_assert(offsetof(NT_TIB, ExceptionList) == GUARD_TIB_EXCEPTION_LIST);
static_assert(offsetof(EXCEPTION_REGISTRATION_RECORD, Next) == GUARD_RECORD_NEXT);
static_assert(offsetof(EXCEPTION_REGISTRATION_RECORD, Handler) == GUARD_RECORD_HANDLER);
static_assert(sizeof(EXCEPTION_REGISTRATION_RECORD) == 8, "the guard pushes the record as two words");
static_assert(offsetof(EXCEPTION_RECORD, ExceptionFlags) == GUARD_EXCEPTION_FLAGS);
static_assert((EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND) == GUARD_UNWINDING_FLAGS);
static_assert(offsetof(CONTEXT, Ebp) == GUARD_CONTEXT_EBP);
static_assert(offsetof(CONTEXT, Eip) == GUARD_CONTEXT_EIP);
static_assert(offsetof(CONTEXT, Esp) == GUARD_CONTEXT_ESP);

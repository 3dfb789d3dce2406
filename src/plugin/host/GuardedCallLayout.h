/* The Windows structure offsets and flags that GuardedCall.S hard-codes, for
 * 32-bit x86. Plain #defines, so that the assembler can read them;
 * GuardedCallLayout.cpp checks each against <windows.h> at compile time. */
#pragma once

/* NT_TIB.ExceptionList, the head of the thread's handler chain, at fs:[0]. */
#define GUARD_TIB_EXCEPTION_LIST 0
/* EXCEPTION_REGISTRATION_RECORD: Next, then Handler. */
#define GUARD_RECORD_NEXT 0
#define GUARD_RECORD_HANDLER 4
/* EXCEPTION_RECORD.ExceptionFlags, and the flags that mark an unwinding pass. */
#define GUARD_EXCEPTION_FLAGS 4
#define GUARD_UNWINDING_FLAGS 6 /* EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND */
/* CONTEXT's integer registers that the handler rewrites to resume. */
#define GUARD_CONTEXT_EBP 0xB4
#define GUARD_CONTEXT_EIP 0xB8
#define GUARD_CONTEXT_ESP 0xC4

/* bool CallGuarded(void (*body)(void*), void* context), cdecl, i386.
 *
 * Stack while body runs (addresses grow upwards):
 *   ebp+12  context
 *   ebp+8   body
 *   ebp+4   return address
 *   ebp     saved ebp
 *   ebp-4   saved ebx
 *   ebp-8   saved esi
 *   ebp-12  saved edi
 *   ebp-16  handler  \ EXCEPTION_REGISTRATION record, linked at fs:[0];
 *   ebp-20  next     / its address is the "establisher frame"
 */
#include "GuardedCallLayout.h"

        .text

        .globl  _CallGuarded
        .def    _CallGuarded; .scl 2; .type 32; .endef
_CallGuarded:
        pushl   %ebp
        movl    %esp, %ebp
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        pushl   $_GuardFrameHandler
        pushl   %fs:GUARD_TIB_EXCEPTION_LIST
        movl    %esp, %fs:GUARD_TIB_EXCEPTION_LIST

        pushl   12(%ebp)
        call    *8(%ebp)
        addl    $4, %esp
        movl    $1, %eax

GuardLeave:
        /* esp points at the record again, on both ways out */
        popl    %ecx
        movl    %ecx, %fs:GUARD_TIB_EXCEPTION_LIST
        addl    $4, %esp
        popl    %edi
        popl    %esi
        popl    %ebx
        popl    %ebp
        ret

GuardFault:
        xorl    %eax, %eax
        jmp     GuardLeave

/* EXCEPTION_DISPOSITION handler(EXCEPTION_RECORD* record, void* frame,
 *                               CONTEXT* context, void* dispatcher), cdecl */
        .globl  _GuardFrameHandler
        .def    _GuardFrameHandler; .scl 2; .type 32; .endef
_GuardFrameHandler:
        movl    4(%esp), %eax
        testl   $GUARD_UNWINDING_FLAGS, GUARD_EXCEPTION_FLAGS(%eax)
        jnz     GuardSearch

        /* RtlUnwind runs the unwind handlers of every frame above ours and
           leaves ours at the head of the chain. Older systems do not keep the
           callee-saved registers across it, so keep them here. */
        pushl   %ebx
        pushl   %esi
        pushl   %edi
        pushl   %ebp
        /* Arguments of RtlUnwind, pushed right to left. A push reads its
           memory operand before it moves esp, so each offset counts the
           words pushed so far: record was at 20(%esp), frame at 24(%esp). */
        pushl   $0                      /* ReturnValue */
        pushl   24(%esp)                /* ExceptionRecord: 20 + 4 */
        pushl   $GuardUnwound           /* TargetIp */
        pushl   36(%esp)                /* TargetFrame: 24 + 12 */
        call    _RtlUnwind@16
GuardUnwound:
        popl    %ebp
        popl    %edi
        popl    %esi
        popl    %ebx

        /* Resume at GuardFault with esp at the record and ebp as on entry. */
        movl    12(%esp), %eax          /* CONTEXT* */
        movl    8(%esp), %ecx           /* establisher frame */
        movl    %ecx, GUARD_CONTEXT_ESP(%eax)
        leal    20(%ecx), %edx          /* ebp lies 20 bytes above the record */
        movl    %edx, GUARD_CONTEXT_EBP(%eax)
        movl    $GuardFault, GUARD_CONTEXT_EIP(%eax)
        xorl    %eax, %eax              /* ExceptionContinueExecution */
        ret

GuardSearch:
        movl    $1, %eax                /* ExceptionContinueSearch */
        ret

/* Fit for a SafeSEH link (feature bit 0): the one handler here is listed in
   ../ExceptionHandlers.S, which only the DLL links. */
        .globl  @feat.00
        .set    @feat.00, 1

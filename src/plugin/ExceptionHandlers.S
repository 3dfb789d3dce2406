/* Tollimer.dll's exception handlers: the only addresses in it that the
 * exception dispatcher accepts as handlers, through the SafeSEH table of the
 * load configuration (LoadConfig.cpp). Listed here, in an object of the DLL
 * alone, rather than beside the handler in host/GuardedCall.S: the tests link
 * the guard with GNU ld, which would lay the list out as a section of the
 * program. The feature word says that this object's handlers are listed. */
        .safeseh _GuardFrameHandler
        .globl  @feat.00
        .set    @feat.00, 1

// The DLL's load configuration directory. For a 32-bit image its SafeSEH
// table is the list of the only addresses that the exception dispatcher
// accepts as this module's exception handlers; without it, any address in
// the module would pass, which is what an overwritten exception record
// needs. The linker (LLVM's, with -safeseh) builds the table from the
// handlers that objects declare (ExceptionHandlers.S) and points these
// two symbols at it; it finds the directory under this name.
#include <windows.h>

extern "C" {

extern const DWORD __safe_se_handler_table[];
// The linker's count is an absolute symbol: its address is the count.
extern const char __safe_se_handler_count;

extern const IMAGE_LOAD_CONFIG_DIRECTORY32 _load_config_used;
// Not constinit, as an address cast to a number is no constant expression;
// the compiler still lays it out as data (the DLL file test checks that
// nothing runs before DllMain).
const IMAGE_LOAD_CONFIG_DIRECTORY32 _load_config_used = {
    // The 32-bit layout, up to and including the SafeSEH fields.
    .Size = sizeof(IMAGE_LOAD_CONFIG_DIRECTORY32),
    .SEHandlerTable = reinterpret_cast<DWORD>(__safe_se_handler_table),
    .SEHandlerCount = reinterpret_cast<DWORD>(&__safe_se_handler_count),
};

}  // extern "C"

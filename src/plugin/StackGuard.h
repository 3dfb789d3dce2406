#pragma once
// The stack cookie that code built with -fstack-protector-strong checks
// before it returns (__stack_chk_guard), and what happens when the check
// fails (__stack_chk_fail). The DLL has no C runtime to provide them.
//
// The cookie must be seeded before the first protected function runs and
// must never change while one is on the stack: call SeedStackGuard first
// thing in the process attach, from a function that has no cookie of its own.
#include <windows.h>

// Gives the cookie a value that differs from load to load.
void SeedStackGuard(HMODULE module);

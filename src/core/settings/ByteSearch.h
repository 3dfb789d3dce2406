#pragma once
// Finding the next of a few byte values in a long run of bytes: the settings
// reader's inner loop. Portable; allocates nothing and never throws.
//
// SSE2 16 bytes at a time where the processor has it (always on x86-64; on
// 32-bit x86 asked once of the processor, since a 32-bit DLL must run on any
// processor 32-bit Windows runs on), else a machine word at a time.

// The first byte in [from, to) equal to a, b or c; `to` when there is none.
const char* FindFirstOf(const char* from, const char* to, char a, char b, char c);

// The word-at-a-time search that serves without SSE2, with the same result;
// named so that the tests check it on every machine.
const char* FindFirstOfByWords(const char* from, const char* to, char a, char b, char c);

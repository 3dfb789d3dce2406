#pragma once
// Other programs' comment marks. Only ";" at the start of a line starts a
// comment for the plug-in; a user who switches a line off with "#", "//" or
// "rem", or with a ";" typed full-width, leaves a line the plug-in reads as
// an entry whose name begins with the mark. Portable.
#include <cstddef>
#include <string_view>

// The length of the comment-like mark at the start of a half-width line
// (full-width forms already made half-width): "#", "//", "'", "--", "::",
// ";" (only where it was full-width: a ";" as written is a comment), or "rem"
// followed by a blank, in any case; 0 when none.
std::size_t CommentMarkLength(std::string_view halfWidthLine);

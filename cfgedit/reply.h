// One line of keyboard input read as a menu reply.
#ifndef CFGEDIT_REPLY_H
#define CFGEDIT_REPLY_H

#include <cstddef>
#include <cstdio>

constexpr std::size_t reply_buffer_size = 4096;

// Returned instead of a reply when the input has ended: no menu number is
// negative, so it can never be taken for a choice.
constexpr int reply_end_of_input = -1;

// Flushes standard output, so the prompt shows, then reads one line. The
// reply is the number its leading digits form; a line that does not start
// with a digit, or whose number does not fit a signed 32-bit integer, gives 0.
// A line longer than the buffer is read to its end; only its head counts.
int read_reply(std::FILE* in);

#endif

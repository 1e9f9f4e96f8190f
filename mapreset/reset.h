// The steps of a map reset, each on the file record it works on.
#ifndef MAPRESET_RESET_H
#define MAPRESET_RESET_H

#include <cstdint>

#include "filelib/filelib.h"

// Set by "-d": print a trace line for every step.
extern bool verbose;

[[gnu::format(printf, 1, 2)]] void trace(const char* format, ...);

void zero_buffer(std::uint8_t* buffer, std::int32_t length);

// The party file's member count; 0 when the file is too short to hold it.
int party_member_count(file_record& party);
// Overwrites the whole party file with zeros, keeping its length.
void clear_party_file(file_record& party);

// Refuses a world file too short for the layout before any byte is written,
// since the passes below would otherwise write past its end and grow it.
void check_world_length(file_record& world);
void remove_transports(file_record& world);
void remove_monsters(file_record& world);
void reset_moons(file_record& world);
void reset_whirlpool(file_record& world);

// The world's part of a reset, in order: the length check, transports,
// monsters, moons, whirlpool.
void reset_world(file_record& world);

#endif

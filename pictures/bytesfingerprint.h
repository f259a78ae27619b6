#pragma once
// A 64-bit fingerprint of a file's bytes, to know a picture decoded earlier from the same bytes
// without keeping the bytes. Not a cryptographic hash: the files are the catalogue's own, and a
// collision would only show one of its pictures in place of another. Reads several gigabytes a
// second, so the few megabytes of a photograph cost well under a millisecond.

#include <cstddef>
#include <cstdint>

std::uint64_t BytesFingerprint(const std::uint8_t* data, std::size_t size);

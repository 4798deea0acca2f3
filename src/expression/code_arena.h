#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

// Executable memory shared by the machine code of many forms.
//
// Mapping, protecting and unmapping a page for each form costs tens of
// microseconds, far more than generating its code. Here forms are written
// one after the other into chunks of pages that are still writable and not
// executable; a form becomes executable when its pages are sealed (made
// read and execute), which seals at once every form written before it on
// the same chunk, and nothing is ever written to a sealed page. A chunk is
// given back (or reused when it is the one being filled) once every form
// on it is freed. Memory is never writable and executable at once.
//
// Safe to use from several threads.
class CodeArena {
public:
    struct Chunk;

    // Where a form's code lives: null chunk when the system gave no memory.
    struct Block {
        Chunk* chunk = nullptr;
        const uint8_t* code = nullptr;
        size_t end = 0;  // offset of the block's last byte + 1 within its chunk
    };

    // Copies the code and then its constants into the arena. The block is
    // not executable yet. The constants follow the code directly, and the
    // code starts on a 16-byte boundary, so aligned offsets stay aligned.
    static Block place(const uint8_t* code, size_t codeBytes, const double* constants,
                       size_t constantCount);
    // Whether the block's pages have been sealed.
    static bool executable(const Block& b);
    // Seals the block's pages (with every other form already written on its
    // chunk). False when the system refuses; the block then stays as it is.
    static bool seal(const Block& b);
    // The block is no longer used.
    static void release(const Block& b);

    // The bytes the arena holds mapped now (tests check that freed forms give
    // their memory back).
    static size_t mappedBytes();
    // Bytes of a chunk: forms longer than this get a chunk of their own.
    static size_t chunkBytes();
};

}  // namespace qv

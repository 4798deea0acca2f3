#include "expression/code_arena.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#define QV_CODE_ARENA 1
#endif

namespace qv {

#if QV_CODE_ARENA

struct CodeArena::Chunk {
    uint8_t* base = nullptr;
    size_t size = 0;
    // Bytes [0, sealed) are read and execute; from `cursor` on the chunk is
    // writable and free. cursor >= sealed always.
    std::atomic<size_t> sealed{0};
    size_t cursor = 0;
    size_t live = 0;  // blocks placed and not yet released
};

namespace {

// Sixteen pages: a few dozen short forms share a page, so a chunk holds
// hundreds of forms before the next one is mapped.
constexpr size_t kChunkPages = 16;
constexpr size_t kAlignment = 16;

size_t pageBytes() {
    static const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    return page;
}

size_t roundUp(size_t n, size_t to) { return (n + to - 1) / to * to; }

struct State {
    std::mutex mutex;
    CodeArena::Chunk* open = nullptr;  // the chunk new forms are written to
    size_t mapped = 0;
};

State& state() {
    static State* s = new State;  // outlives every form, even static ones
    return *s;
}

CodeArena::Chunk* mapChunk(State& s, size_t size) {
    void* mem = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mem == MAP_FAILED) return nullptr;
    auto* c = new CodeArena::Chunk;
    c->base = static_cast<uint8_t*>(mem);
    c->size = size;
    s.mapped += size;
    return c;
}

void unmapChunk(State& s, CodeArena::Chunk* c) {
    munmap(c->base, c->size);
    s.mapped -= c->size;
    delete c;
}

// Makes an unused chunk writable from its start again. Its sealed pages
// hold no live code, so they lose execute before they are written.
bool recycle(CodeArena::Chunk* c) {
    const size_t sealed = c->sealed.load(std::memory_order_relaxed);
    if (sealed > 0 && mprotect(c->base, sealed, PROT_READ | PROT_WRITE) != 0) return false;
    c->sealed.store(0, std::memory_order_relaxed);
    c->cursor = 0;
    return true;
}

// A chunk with room for `bytes` more, the open one if it has it.
CodeArena::Chunk* chunkWithRoom(State& s, size_t bytes) {
    CodeArena::Chunk* c = s.open;
    if (c != nullptr && roundUp(c->cursor, kAlignment) + bytes <= c->size) return c;
    if (c != nullptr && c->live == 0 && recycle(c)) return c;
    if (c != nullptr && c->live == 0) unmapChunk(s, c);
    // A chunk still in use stays until its last form is released.
    s.open = mapChunk(s, kChunkPages * pageBytes());
    return s.open;
}

}  // namespace

CodeArena::Block CodeArena::place(const uint8_t* code, size_t codeBytes, const double* constants,
                                  size_t constantCount) {
    const size_t poolBytes = constantCount * sizeof(double);
    const size_t bytes = codeBytes + poolBytes;
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Chunk* c =
        bytes > chunkBytes() ? mapChunk(s, roundUp(bytes, pageBytes())) : chunkWithRoom(s, bytes);
    if (c == nullptr) return {};
    const size_t at = roundUp(c->cursor, kAlignment);
    std::memcpy(c->base + at, code, codeBytes);
    if (poolBytes > 0) std::memcpy(c->base + at + codeBytes, constants, poolBytes);
    c->cursor = at + bytes;
    ++c->live;
    return {c, c->base + at, at + bytes};
}

bool CodeArena::executable(const Block& b) {
    return b.chunk != nullptr && b.chunk->sealed.load(std::memory_order_acquire) >= b.end;
}

bool CodeArena::seal(const Block& b) {
    if (b.chunk == nullptr) return false;
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Chunk* c = b.chunk;
    const size_t sealed = c->sealed.load(std::memory_order_relaxed);
    if (sealed >= b.end) return true;
    // Everything written so far, up to the end of its last page; the rest of
    // that page is never written.
    const size_t upTo = std::min(roundUp(c->cursor, pageBytes()), c->size);
    if (mprotect(c->base + sealed, upTo - sealed, PROT_READ | PROT_EXEC) != 0) return false;
    c->cursor = upTo;
    c->sealed.store(upTo, std::memory_order_release);
    return true;
}

void CodeArena::release(const Block& b) {
    if (b.chunk == nullptr) return;
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    Chunk* c = b.chunk;
    if (--c->live > 0) return;
    if (c != s.open) {
        unmapChunk(s, c);
    } else if (c->sealed.load(std::memory_order_relaxed) == 0) {
        c->cursor = 0;  // nothing sealed: write over it again, no call to the system
    }
}

size_t CodeArena::mappedBytes() {
    State& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.mapped;
}

size_t CodeArena::chunkBytes() { return kChunkPages * pageBytes(); }

#else  // no executable memory on this platform: forms run on the portable machine

struct CodeArena::Chunk {};
CodeArena::Block CodeArena::place(const uint8_t*, size_t, const double*, size_t) { return {}; }
bool CodeArena::executable(const Block&) { return false; }
bool CodeArena::seal(const Block&) { return false; }
void CodeArena::release(const Block&) {}
size_t CodeArena::mappedBytes() { return 0; }
size_t CodeArena::chunkBytes() { return 0; }

#endif

}  // namespace qv

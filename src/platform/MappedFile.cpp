#include "platform/MappedFile.h"

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <mutex>
#include <utility>

namespace {

// The mapped ranges, read by the signal handler without a lock: a slot's end is set before its
// start, and its start cleared before the range is unmapped.
constexpr int kGuardSlots = 1024;
std::array<std::atomic<uintptr_t>, kGuardSlots> guardStart{};
std::array<std::atomic<uintptr_t>, kGuardSlots> guardEnd{};
std::array<std::atomic<uint8_t>, kGuardSlots> guardFill{};
std::mutex guardMutex;  // serialises claiming and freeing slots
struct sigaction previousAction {};

size_t PageSize() {
  static const size_t size = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  return size;
}

void ReplaceVanishedPage(int, siginfo_t* info, void*) {
  const uintptr_t address = reinterpret_cast<uintptr_t>(info->si_addr);
  for (int slot = 0; slot < kGuardSlots; ++slot) {
    const uintptr_t start = guardStart[slot].load(std::memory_order_acquire);
    if (start == 0 || address < start || address >= guardEnd[slot].load(std::memory_order_acquire))
      continue;
    const size_t page = PageSize();
    void* pageStart = reinterpret_cast<void*>(address & ~(page - 1));
    void* fresh = mmap(pageStart, page, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    if (fresh == MAP_FAILED) break;
    const uint8_t fill = guardFill[slot].load(std::memory_order_relaxed);
    volatile uint8_t* bytes = static_cast<uint8_t*>(fresh);
    for (size_t i = 0; i < page; ++i) bytes[i] = fill;
    return;  // the read is repeated and now finds the end byte
  }
  // Not a mapped file's: whoever handled the signal before decides, once the read repeats.
  sigaction(SIGBUS, &previousAction, nullptr);
}

void InstallHandler() {
  static std::once_flag installed;
  std::call_once(installed, [] {
    struct sigaction action {};
    action.sa_sigaction = ReplaceVanishedPage;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &previousAction);
  });
}

int ClaimGuardSlot(uintptr_t start, uintptr_t end, uint8_t fill) {
  InstallHandler();
  std::lock_guard lock(guardMutex);
  for (int slot = 0; slot < kGuardSlots; ++slot) {
    if (guardStart[slot].load(std::memory_order_relaxed) != 0) continue;
    guardFill[slot].store(fill, std::memory_order_relaxed);
    guardEnd[slot].store(end, std::memory_order_release);
    guardStart[slot].store(start, std::memory_order_release);
    return slot;
  }
  return -1;
}

void FreeGuardSlot(int slot) {
  std::lock_guard lock(guardMutex);
  guardStart[slot].store(0, std::memory_order_release);
}

}  // namespace

std::optional<MappedFile> MappedFile::Map(int fd, size_t length, uint8_t endByte) {
  const size_t page = PageSize();
  const size_t span = (length + 1 + page - 1) / page * page;
  // Anonymous memory first, so that the end byte has a page even when the file fills its last.
  void* base = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (base == MAP_FAILED) return std::nullopt;
  auto* bytes = static_cast<uint8_t*>(base);
  const auto start = reinterpret_cast<uintptr_t>(base);
  const int slot = ClaimGuardSlot(start, start + span, endByte);
  const bool mapped =
      slot >= 0 && (length == 0 || mmap(base, length, PROT_READ | PROT_WRITE,
                                          MAP_PRIVATE | MAP_FIXED, fd, 0) != MAP_FAILED);
  if (!mapped) {
    if (slot >= 0) FreeGuardSlot(slot);
    munmap(base, span);
    return std::nullopt;
  }
  bytes[length] = endByte;  // a private copy of that page: the file is never written
  return MappedFile(bytes, length, span, slot);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : base(std::exchange(other.base, nullptr)),
      length(std::exchange(other.length, 0)),
      span(std::exchange(other.span, 0)),
      guardSlot(std::exchange(other.guardSlot, -1)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    Release();
    base = std::exchange(other.base, nullptr);
    length = std::exchange(other.length, 0);
    span = std::exchange(other.span, 0);
    guardSlot = std::exchange(other.guardSlot, -1);
  }
  return *this;
}

MappedFile::~MappedFile() { Release(); }

void MappedFile::Release() {
  if (!base) return;
  if (guardSlot >= 0) FreeGuardSlot(guardSlot);
  munmap(base, span);
  base = nullptr;
}

// A deal library file ("Library.bin" or "Library.asc") opened for reading deals by number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Deal.h"

namespace lott {

inline constexpr const char* kBinLibName = "Library.bin";
inline constexpr const char* kAscLibName = "Library.asc";

// The library chosen at start-up: the binary form when its file exists, else the ASCII form;
// when neither exists the binary settings with found = false.
struct LibraryChoice {
    int LibMode = 1;  // 1 binary, 0 ASCII
    std::string LibFileName = kBinLibName;
    int LibRecLen = kBinRecLen;
    bool found = false;
    std::int64_t LibFileLen = 0;
    std::int32_t DealCount = 0;
};

LibraryChoice DiscoverLibrary(const std::filesystem::path& folder);
int RecLenOfMode(int libMode);

enum class ReadStatus {
    Ok,
    OutOfRange,  // deal number outside 1..DealCount, or no library open: nothing was read
    Damaged,     // the record is not a valid deal; the deal is left erased
    ReadError,   // the file could not be read (shortened or removed while open)
};

// Reads records through a buffer of whole records, so that a scan in deal order costs a few
// large reads and a viewer's random access one small read per deal.
class LibraryFile {
  public:
    LibraryFile() = default;
    ~LibraryFile();
    LibraryFile(const LibraryFile&) = delete;
    LibraryFile& operator=(const LibraryFile&) = delete;

    // Opens path read-only in the given form; false when it cannot be opened.
    bool Open(const std::filesystem::path& path, int libMode);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    int LibMode() const { return libMode_; }
    int LibRecLen() const { return recLen_; }
    std::int64_t LibFileLen() const { return fileLen_; }
    std::int32_t DealCount() const { return dealCount_; }

    // Reads deal dealNo (1-based) into d. Anything but Ok leaves d erased.
    ReadStatus ReadDeal(std::int32_t dealNo, Deal& d);
    // The raw bytes of one record (valid until the next read), or nullptr.
    const std::uint8_t* RecordBytes(std::int32_t dealNo, ReadStatus& status);

  private:
    int fd_ = -1;
    int libMode_ = 1;
    int recLen_ = kBinRecLen;
    std::int64_t fileLen_ = 0;
    std::int32_t dealCount_ = 0;
    std::vector<std::uint8_t> buf_;
    std::int32_t bufFirst_ = 0;  // deal number of the first buffered record
    std::int32_t bufCount_ = 0;
};

}  // namespace lott

// A deal library file ("Library.bin" or "Library.asc") opened for reading deals by number.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Deal.h"

namespace lott {

inline constexpr const char* kBinLibName = "Library.bin";
inline constexpr const char* kAscLibName = "Library.asc";

// Deal numbers are 32-bit and a scan loop must be able to step past the last deal: a library of
// more records is refused, never cut.
inline constexpr std::int64_t kMaxDeals = 2147483646;
// The one-line refusal of such a library.
std::string TooManyDealsText(const std::string& fileName);

// What a library file holds, as far as a cache made from it is concerned: its size and a
// checksum of every byte. File stamps are no proof of identity (whole-second clocks, copies).
struct LibraryIdentity {
    std::int64_t size = -1;
    std::uint64_t checksum = 0;
    bool operator==(const LibraryIdentity&) const = default;
};

// The form of a library file: 26-byte binary records or 89-byte text records (the numbers
// the programs have always given the two forms).
enum class LibMode { Ascii = 0, Binary = 1 };

// The library chosen at start-up: the binary form when its file holds at least one whole record,
// else the ASCII form under the same rule; when neither does, the binary settings with
// found = false. A file of more than kMaxDeals records is found but tooLarge.
struct LibraryChoice {
    lott::LibMode LibMode = lott::LibMode::Binary;
    std::string LibFileName = kBinLibName;
    int LibRecLen = kBinRecLen;
    bool found = false;
    std::int64_t LibFileLen = 0;
    std::int32_t DealCount = 0;
    bool tooLarge = false;
};

LibraryChoice DiscoverLibrary(const std::filesystem::path& folder);
int RecLenOfMode(LibMode libMode);

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
    LibraryFile();
    ~LibraryFile();
    LibraryFile(const LibraryFile&) = delete;
    LibraryFile& operator=(const LibraryFile&) = delete;

    // Opens path read-only in the given form: a regular file only (a pipe or device put in its
    // place is refused without waiting on it), of at most kMaxDeals records. False when it
    // cannot be opened, with the reason in Error().
    bool Open(const std::filesystem::path& path, lott::LibMode libMode);
    const std::string& Error() const { return error_; }
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    lott::LibMode LibMode() const { return libMode_; }
    int LibRecLen() const { return recLen_; }
    std::int64_t LibFileLen() const { return fileLen_; }
    std::int32_t DealCount() const { return dealCount_; }

    // Reads deal dealNo (1-based) into d. Anything but Ok leaves d erased.
    ReadStatus ReadDeal(std::int32_t dealNo, Deal& d);
    // The raw bytes of one record (valid until the next read), or nullptr.
    const std::uint8_t* RecordBytes(std::int32_t dealNo, ReadStatus& status);

    // Checksums the bytes as a reading in deal order takes them from the file, so that a scan
    // identifies exactly what it read without a second pass.
    void TrackContent();
    // Ends the tracking: reads what the scan did not (the rest of the file) through the same
    // descriptor and gives the identity of the bytes read. False, with the reason, when the
    // file was written, cut or replaced while it was read: its bytes then belong to no one file.
    bool TrackedIdentity(LibraryIdentity& id, std::string& why);
    // The identity of the whole file read now through the descriptor opened.
    bool Identify(LibraryIdentity& id);
    // The same for a file that is opened only for that (a regular file, else false).
    static bool Identify(const std::filesystem::path& path, LibraryIdentity& id);

  private:
    struct Digest;
    bool Unchanged() const;

    int fd_ = -1;
    std::filesystem::path path_;
    std::string error_;
    std::unique_ptr<Digest> digest_;
    lott::LibMode libMode_ = lott::LibMode::Binary;
    int recLen_ = kBinRecLen;
    std::int64_t fileLen_ = 0;
    std::int32_t dealCount_ = 0;
    std::vector<std::uint8_t> buf_;
    std::int32_t bufFirst_ = 0;  // deal number of the first buffered record
    std::int32_t bufCount_ = 0;
};

}  // namespace lott

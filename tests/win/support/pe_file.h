// A built program file read as the Windows loader reads it: headers, data directories and the
// tables they point at, from the file's bytes (nothing of it is run or mapped).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace yf::testing {

class PeFile {
  public:
    explicit PeFile(const std::wstring& path) {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER)) return;
        const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes_.data());
        if (dos->e_magic != IMAGE_DOS_SIGNATURE ||
            static_cast<std::size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS64) > bytes_.size()) {
            return;
        }
        headers_ = reinterpret_cast<const IMAGE_NT_HEADERS64*>(bytes_.data() + dos->e_lfanew);
        if (headers_->Signature != IMAGE_NT_SIGNATURE ||
            headers_->OptionalHeader.Magic != IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
            headers_ = nullptr;
        }
    }

    bool Valid() const { return headers_ != nullptr; }
    const IMAGE_NT_HEADERS64& Headers() const { return *headers_; }
    IMAGE_DATA_DIRECTORY Directory(int entry) const {
        return headers_->OptionalHeader.DataDirectory[entry];
    }

    // The file's bytes behind [rva, rva + size), or null where no section holds them.
    const unsigned char* At(DWORD rva, std::size_t size) const {
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers_);
        for (WORD i = 0; i < headers_->FileHeader.NumberOfSections; ++i, ++section) {
            const DWORD start = section->VirtualAddress;
            const DWORD length = std::min(section->Misc.VirtualSize, section->SizeOfRawData);
            if (rva >= start && rva - start + size <= length) {
                const std::size_t offset = section->PointerToRawData + (rva - start);
                if (offset + size > bytes_.size()) return nullptr;
                return bytes_.data() + offset;
            }
        }
        return nullptr;
    }

    template <typename Record>
    std::optional<Record> Read(DWORD rva) const {
        const unsigned char* bytes = At(rva, sizeof(Record));
        if (!bytes) return std::nullopt;
        Record record;
        std::memcpy(&record, bytes, sizeof(Record));
        return record;
    }

    // The NUL-terminated ASCII text at rva ("" where there is none).
    std::string Text(DWORD rva) const {
        std::string text;
        for (const unsigned char* c = At(rva, 1); c && *c; c = At(++rva, 1)) {
            text.push_back(static_cast<char>(*c));
        }
        return text;
    }

    // Every section with file data, as (rva, size): where tables without a directory entry hide.
    std::vector<std::pair<DWORD, DWORD>> Sections() const {
        std::vector<std::pair<DWORD, DWORD>> result;
        const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(headers_);
        for (WORD i = 0; i < headers_->FileHeader.NumberOfSections; ++i, ++section) {
            result.emplace_back(section->VirtualAddress,
                                std::min(section->Misc.VirtualSize, section->SizeOfRawData));
        }
        return result;
    }

    // The function names a 64-bit name table (import or delay-import) lists; ordinals are left
    // out.
    std::vector<std::string> NameTable(DWORD rva) const {
        std::vector<std::string> names;
        for (;; rva += sizeof(std::uint64_t)) {
            const std::optional<std::uint64_t> thunk = Read<std::uint64_t>(rva);
            if (!thunk || *thunk == 0) break;
            if (*thunk & IMAGE_ORDINAL_FLAG64) continue;
            // IMAGE_IMPORT_BY_NAME: a two-byte hint, then the name.
            names.push_back(Text(static_cast<DWORD>(*thunk) + 2));
        }
        return names;
    }

  private:
    std::vector<unsigned char> bytes_;
    const IMAGE_NT_HEADERS64* headers_ = nullptr;
};

}  // namespace yf::testing

// The resource section of a Linux plug-in library, read from its ELF file.
#include <elf.h>

#include <cstring>
#include <fstream>

#include "host/loader/resource_archive.h"

namespace host {

namespace {

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>* bytes) {
    // In one read: a library is megabytes, and is read at every load.
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    bytes->resize(static_cast<std::size_t>(size));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(bytes->data()), size);
    return in.gcount() == size;
}

template <class T>
bool ReadStruct(const std::vector<std::uint8_t>& file, std::uint64_t offset, T* out) {
    if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
    std::memcpy(out, file.data() + offset, sizeof(T));
    return true;
}

}  // namespace

bool ReadElfSection(const std::string& path, const std::string& section,
                    std::vector<std::uint8_t>* bytes, std::string* error) {
    std::vector<std::uint8_t> file;
    if (!ReadWholeFile(path, &file)) {
        *error = path + ": cannot be read";
        return false;
    }
    Elf64_Ehdr header;
    if (!ReadStruct(file, 0, &header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
        header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_ident[EI_DATA] != ELFDATA2LSB) {
        *error = path + ": not a 64-bit ELF library";
        return false;
    }
    if (header.e_type != ET_DYN) {
        *error = path + ": an ELF file but not a shared library";
        return false;
    }
    if (header.e_shentsize != sizeof(Elf64_Shdr) || header.e_shstrndx >= header.e_shnum) {
        *error = path + ": the ELF section table is damaged";
        return false;
    }
    Elf64_Shdr names;
    if (!ReadStruct(file, header.e_shoff + std::uint64_t{header.e_shstrndx} * sizeof(Elf64_Shdr),
                    &names) ||
        names.sh_offset > file.size() || names.sh_size > file.size() - names.sh_offset) {
        *error = path + ": the ELF section names are damaged";
        return false;
    }
    for (std::uint16_t i = 0; i < header.e_shnum; ++i) {
        Elf64_Shdr sh;
        if (!ReadStruct(file, header.e_shoff + std::uint64_t{i} * sizeof(Elf64_Shdr), &sh)) {
            *error = path + ": the ELF section table is cut short";
            return false;
        }
        if (sh.sh_name >= names.sh_size) continue;
        const char* name =
            reinterpret_cast<const char*>(file.data() + names.sh_offset + sh.sh_name);
        std::size_t room = names.sh_size - sh.sh_name;
        if (strnlen(name, room) == room || section != name) continue;
        if (sh.sh_type == SHT_NOBITS || sh.sh_offset > file.size() ||
            sh.sh_size > file.size() - sh.sh_offset) {
            *error = path + ": section \"" + section + "\" lies outside the file";
            return false;
        }
        auto begin = file.begin() + static_cast<std::ptrdiff_t>(sh.sh_offset);
        bytes->assign(begin, begin + static_cast<std::ptrdiff_t>(sh.sh_size));
        return true;
    }
    *error = path + ": no \"" + section + "\" section (the library carries no resources)";
    return false;
}

}  // namespace host

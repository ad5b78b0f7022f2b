// Reading and writing .reg text for the in-memory registry.
#include "registry/memory/MemoryKey.h"
#include "registry/memory/MemoryRegistry.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tarv {

namespace {

const char* const Regedit4Header = "REGEDIT4";
const char* const Regedit5Header = "Windows Registry Editor Version 5.00";

// Unicode code points of Windows-1252 bytes 0x80..0x9F (0 where the byte is unassigned and
// Windows maps it to the same code point).
const unsigned short Cp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char UnicodeToCp1252(unsigned code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
    for (unsigned i = 0; i < 32; ++i) {
        if (Cp1252High[i] == code || (Cp1252High[i] == 0 && code == 0x80 + i))
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Converts UTF-16LE bytes (an odd last byte is dropped) to Windows-1252 bytes, as
// RegQueryValueExA does for string data.
std::vector<unsigned char> WideBytesToAnsi(const std::vector<unsigned char>& wide) {
    std::vector<unsigned char> ansi;
    for (size_t i = 0; i + 1 < wide.size(); i += 2) {
        unsigned code = wide[i] | (wide[i + 1] << 8);
        ansi.push_back(static_cast<unsigned char>(UnicodeToCp1252(code)));
    }
    return ansi;
}

// The file's text as Windows-1252 bytes. UTF-16LE and UTF-8 need their byte-order mark.
std::string DecodeFile(const std::string& raw) {
    if (raw.size() >= 2 && static_cast<unsigned char>(raw[0]) == 0xFF &&
        static_cast<unsigned char>(raw[1]) == 0xFE) {
        std::string text;
        for (size_t i = 2; i + 1 < raw.size(); i += 2) {
            unsigned code = static_cast<unsigned char>(raw[i]) |
                            (static_cast<unsigned char>(raw[i + 1]) << 8);
            text += UnicodeToCp1252(code);  // surrogate halves become '?'
        }
        return text;
    }
    if (raw.size() >= 3 && raw.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        std::string text;
        for (size_t i = 3; i < raw.size();) {
            unsigned char c = static_cast<unsigned char>(raw[i]);
            unsigned code = c;
            size_t extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
            if (extra) code = c & (0x3F >> extra);
            ++i;
            for (size_t k = 0; k < extra && i < raw.size(); ++k, ++i)
                code = (code << 6) | (static_cast<unsigned char>(raw[i]) & 0x3F);
            text += UnicodeToCp1252(code);
        }
        return text;
    }
    return raw;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string TrimLeft(const std::string& s) {
    size_t start = 0;
    while (start < s.size() && IsBlank(s[start])) ++start;
    return s.substr(start);
}

bool StartsWithNoCase(const std::string& s, size_t pos, const char* prefix) {
    for (size_t i = 0; prefix[i]; ++i) {
        if (pos + i >= s.size() ||
            FoldNameChar(static_cast<unsigned char>(s[pos + i])) !=
                FoldNameChar(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Whether s is name, case ignored as the registry ignores it.
bool NameIsNoCase(const std::string& s, const char* name) {
    return s.size() == std::strlen(name) && StartsWithNoCase(s, 0, name);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// True when only blanks or a ';' comment follow pos.
bool OnlyCommentFollows(const std::string& s, size_t pos) {
    while (pos < s.size() && IsBlank(s[pos])) ++pos;
    return pos == s.size() || s[pos] == ';';
}

// Reads a quoted string starting at s[pos] == '"'; pos ends after the closing quote.
bool ReadQuoted(const std::string& s, size_t* pos, std::string* out, std::string* why) {
    out->clear();
    size_t i = *pos + 1;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            *pos = i + 1;
            return true;
        }
        if (c != '\\') {
            *out += c;
            continue;
        }
        if (++i >= s.size()) break;
        switch (s[i]) {
        case '\\': *out += '\\'; break;
        case '"': *out += '"'; break;
        case 'n': *out += '\n'; break;
        case 'r': *out += '\r'; break;
        default: *why = std::string("unknown escape \\") + s[i] + " in a quoted string"; return false;
        }
    }
    *why = "missing closing quote";
    return false;
}

bool ReadHexBytes(const std::string& s, size_t pos, std::vector<unsigned char>* out,
                  std::string* why) {
    out->clear();
    bool needByte = false;  // after a comma another byte may follow
    while (true) {
        while (pos < s.size() && IsBlank(s[pos])) ++pos;
        if (pos == s.size() || s[pos] == ';') return true;  // a trailing comma is tolerated
        int high = HexDigit(s[pos]);
        if (high < 0 || (!out->empty() && !needByte)) {
            *why = "bad hex byte list";
            return false;
        }
        int value = high;
        ++pos;
        if (pos < s.size() && HexDigit(s[pos]) >= 0) value = value * 16 + HexDigit(s[pos++]);
        out->push_back(static_cast<unsigned char>(value));
        while (pos < s.size() && IsBlank(s[pos])) ++pos;
        needByte = false;
        if (pos < s.size() && s[pos] == ',') {
            needByte = true;
            ++pos;
        } else if (!OnlyCommentFollows(s, pos)) {
            *why = "bad hex byte list";
            return false;
        }
    }
}

std::string LineError(size_t line, const std::string& why) {
    return "line " + std::to_string(line) + ": " + why;
}

}  // namespace

bool MemoryRegistry::LoadRegText(const std::string& raw, std::string* error) {
    std::string text = DecodeFile(raw);
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        size_t kept = end;  // trimmed on the right, copied once
        while (kept > start && (IsBlank(text[kept - 1]) || text[kept - 1] == '\r')) --kept;
        lines.emplace_back(text, start, kept - start);
        start = end + 1;
    }

    auto fail = [&](size_t line, const std::string& why) {
        if (error) *error = LineError(line, why);
        return false;
    };

    size_t i = 0;
    while (i < lines.size() && TrimLeft(lines[i]).empty()) ++i;
    if (i == lines.size()) return fail(1, "missing REGEDIT4 header");
    bool wide = false;  // 5.00 exports store string data as UTF-16LE bytes
    if (lines[i] == Regedit4Header)
        wide = false;
    else if (lines[i] == Regedit5Header)
        wide = true;
    else
        return fail(i + 1, "missing REGEDIT4 header");
    ++i;

    std::vector<TextOp> ops;
    bool inSection = false;
    bool skipValues = false;  // values under a [-key] section are ignored, as regedit does
    RegHive hive = HiveLocalMachine;
    std::vector<std::string> path;

    std::string line;  // one buffer for every line
    for (; i < lines.size(); ++i) {
        size_t lineNo = i + 1;
        size_t first = 0;
        while (first < lines[i].size() && IsBlank(lines[i][first])) ++first;
        line.assign(lines[i], first, std::string::npos);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;

        if (line[0] == '[') {
            if (line.back() != ']') return fail(lineNo, "key name without closing ]");
            std::string name = line.substr(1, line.size() - 2);
            bool remove = !name.empty() && name[0] == '-';
            if (remove) name.erase(0, 1);
            size_t slash = name.find('\\');
            std::string hiveName = name.substr(0, slash);
            if (NameIsNoCase(hiveName, "HKEY_LOCAL_MACHINE"))
                hive = HiveLocalMachine;
            else if (NameIsNoCase(hiveName, "HKEY_CLASSES_ROOT"))
                hive = HiveClassesRoot;
            else
                return fail(lineNo, "unsupported hive \"" + hiveName + "\"");
            std::string rest = slash == std::string::npos ? "" : name.substr(slash + 1);
            if (!SplitKeyPath(rest.c_str(), &path) || (slash != std::string::npos && rest.empty()))
                return fail(lineNo, "malformed key path");
            if (remove && path.empty()) return fail(lineNo, "a hive cannot be deleted");
            TextOp op{remove ? TextOp::DeleteTree : TextOp::CreateKey, hive, std::move(path), "",
                      0, {}};
            ops.push_back(std::move(op));
            inSection = true;
            skipValues = remove;
            continue;
        }

        // A value line: @=... or "name"=...
        std::string why;
        std::string name;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (line[0] == '"') {
            if (!ReadQuoted(line, &pos, &name, &why)) return fail(lineNo, why);
        } else {
            return fail(lineNo, "expected [key], \"name\"=, @= or a ; comment");
        }
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (pos >= line.size() || line[pos] != '=') return fail(lineNo, "expected = after the value name");
        ++pos;
        while (pos < line.size() && IsBlank(line[pos])) ++pos;
        if (!inSection) return fail(lineNo, "value outside a [key] section");

        // A value belongs to the key of the section it stands in: no path of its own.
        TextOp op{TextOp::SetValue, hive, {}, name, RegSz, {}};
        if (pos < line.size() && line[pos] == '-' && OnlyCommentFollows(line, pos + 1)) {
            op.kind = TextOp::DeleteValue;
        } else if (pos < line.size() && line[pos] == '"') {
            std::string value;
            if (!ReadQuoted(line, &pos, &value, &why)) return fail(lineNo, why);
            if (!OnlyCommentFollows(line, pos)) return fail(lineNo, "unexpected text after the string");
            op.data.assign(value.begin(), value.end());
            op.data.push_back(0);
        } else if (StartsWithNoCase(line, pos, "dword:")) {
            pos += 6;
            unsigned long value = 0;
            size_t digits = 0;
            for (; pos < line.size() && HexDigit(line[pos]) >= 0; ++pos, ++digits)
                value = value * 16 + static_cast<unsigned long>(HexDigit(line[pos]));
            if (digits == 0 || digits > 8 || !OnlyCommentFollows(line, pos))
                return fail(lineNo, "dword: needs 1 to 8 hex digits");
            op.type = RegDword;
            for (int b = 0; b < 4; ++b) op.data.push_back(static_cast<unsigned char>(value >> (8 * b)));
        } else if (StartsWithNoCase(line, pos, "hex")) {
            pos += 3;
            op.type = RegBinary;
            if (pos < line.size() && line[pos] == '(') {
                size_t close = line.find(')', pos);
                if (close == std::string::npos || close == pos + 1 || close - pos - 1 > 8)
                    return fail(lineNo, "malformed hex(type)");
                unsigned long type = 0;
                for (size_t k = pos + 1; k < close; ++k) {
                    if (HexDigit(line[k]) < 0) return fail(lineNo, "malformed hex(type)");
                    type = type * 16 + static_cast<unsigned long>(HexDigit(line[k]));
                }
                op.type = type;
                pos = close + 1;
            }
            if (pos >= line.size() || line[pos] != ':') return fail(lineNo, "expected : after hex");
            std::string bytes = line.substr(pos + 1);
            // A trailing backslash continues the list on the next line.
            while (!bytes.empty() && bytes.back() == '\\') {
                bytes.pop_back();
                if (i + 1 >= lines.size()) return fail(lineNo, "hex list continues past the end");
                bytes += TrimLeft(lines[++i]);
            }
            if (!ReadHexBytes(bytes, 0, &op.data, &why)) return fail(lineNo, why);
            if (wide && (op.type == RegSz || op.type == RegExpandSz || op.type == RegMultiSz))
                op.data = WideBytesToAnsi(op.data);
        } else {
            return fail(lineNo, "unrecognised value data");
        }
        if (!skipValues) ops.push_back(std::move(op));
    }

    ApplyTextOps(ops);
    if (error) error->clear();
    return true;
}

bool MemoryRegistry::LoadRegFile(const std::string& path, std::string* error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (error) *error = path + ": " + std::strerror(errno);
        return false;
    }
    std::string raw;
    char buffer[8192];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) raw.append(buffer, got);
    bool readFailed = std::ferror(file) != 0;
    std::fclose(file);
    if (readFailed) {
        if (error) *error = path + ": read error";
        return false;
    }
    std::string why;
    if (!LoadRegText(raw, &why)) {
        if (error) *error = path + ": " + why;
        return false;
    }
    if (error) error->clear();
    return true;
}

namespace {

// A quoted name or text. Line breaks only occur in names here (text with them goes as hex),
// and take regedit's \n and \r escapes so the line stays whole.
std::string Quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A string regedit can write as "text": one terminator at the end and no other NUL, CR or LF.
bool PrintableAsString(const std::vector<unsigned char>& data) {
    if (data.empty() || data.back() != 0) return false;
    for (size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
    }
    return true;
}

void AppendValue(std::string* out, const MemoryValue& value) {
    static const char digits[] = "0123456789abcdef";
    std::string line = value.name.empty() ? "@=" : Quote(value.name) + "=";
    const std::vector<unsigned char>& data = value.data;
    if (value.type == RegSz && PrintableAsString(data)) {
        line += Quote(std::string(data.begin(), data.end() - 1));
    } else if (value.type == RegDword && data.size() == 4) {
        unsigned long dword = data[0] | (data[1] << 8) | (data[2] << 16) |
                              (static_cast<unsigned long>(data[3]) << 24);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08lx", dword);
        line += text;
    } else {
        if (value.type == RegBinary) {
            line += "hex:";
        } else {
            char text[24];
            std::snprintf(text, sizeof text, "hex(%lx):", value.type);
            line += text;
        }
        // regedit's layout: lines of at most 80 columns, continued with a backslash.
        size_t column = line.size();
        for (size_t i = 0; i < data.size(); ++i) {
            std::string byte;
            byte += digits[data[i] >> 4];
            byte += digits[data[i] & 15];
            if (i + 1 < data.size()) byte += ',';
            if (i > 0 && column + byte.size() > 78) {
                line += "\\\n  ";
                column = 2;
            }
            line += byte;
            column += byte.size();
        }
    }
    *out += line;
    *out += '\n';
}

void AppendKey(std::string* out, const std::string& path, const MemoryRegistry::Key& key,
               bool writeHeader) {
    if (writeHeader || !key.values.empty()) {
        *out += "[" + path + "]\n";
        for (const auto& value : key.values) AppendValue(out, value.second);
        *out += "\n";
    }
    for (const auto& child : key.children)
        AppendKey(out, path + "\\" + child.second->name, *child.second, true);
}

}  // namespace

std::string MemoryRegistry::SaveRegText() const {
    std::string out = std::string(Regedit4Header) + "\n\n";
    for (RegHive hive : {HiveLocalMachine, HiveClassesRoot})
        AppendKey(&out, HiveName(hive), *roots_[hive], false);
    return out;
}

bool MemoryRegistry::SaveRegFile(const std::string& path, std::string* error) const {
    auto fail = [&](const std::string& what) {
        if (error) *error = what + ": " + std::strerror(errno);
        return false;
    };
    // The temporary file lives beside the target so the rename stays within one file system.
    std::string temp = path + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back(0);
    int fd = mkstemp(name.data());
    if (fd < 0) return fail(path);
    std::string text = SaveRegText();
    size_t written = 0;
    while (written < text.size()) {
        ssize_t n = write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            int saved = errno;
            close(fd);
            unlink(name.data());
            errno = saved;
            return fail(name.data());
        }
        written += static_cast<size_t>(n);
    }
    if (fchmod(fd, 0644) != 0 || fsync(fd) != 0) {
        int saved = errno;
        close(fd);
        unlink(name.data());
        errno = saved;
        return fail(name.data());
    }
    if (close(fd) != 0 || std::rename(name.data(), path.c_str()) != 0) {
        int saved = errno;
        unlink(name.data());
        errno = saved;
        return fail(path);
    }
    if (error) error->clear();
    return true;
}

}  // namespace tarv

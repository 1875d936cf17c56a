#pragma once
// One description of a fixed-size little-endian record serves its reader
// and its writer: a record type lists its fields once in a template
// Describe(fields, record) and both RecordReader and RecordWriter walk it.
//
//   template <class F> void Describe(F& f, Entry& e) {
//       f.Text(0, e.name, 64);
//       f.U32(64, e.size);
//   }

#include <cstdint>
#include <cstring>
#include <span>

namespace vn {

inline uint32_t GetU32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline void PutU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}
inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}

// Reads fields out of a record's bytes; the caller guarantees the span
// covers the whole record.
class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> bytes) : p_(bytes.data()) {}
    void U32(size_t at, uint32_t& v) { v = GetU32(p_ + at); }
    void I32(size_t at, int32_t& v) { v = static_cast<int32_t>(GetU32(p_ + at)); }
    void U16(size_t at, uint16_t& v) { v = GetU16(p_ + at); }
    void U8(size_t at, uint8_t& v) { v = p_[at]; }
    void Bytes(size_t at, uint8_t* v, size_t n) { std::memcpy(v, p_ + at, n); }
    // A text field of n bytes into a buffer of n + 1: always terminated,
    // even when the field is not.
    void Text(size_t at, char* v, size_t n) {
        std::memcpy(v, p_ + at, n);
        v[n] = '\0';
    }

private:
    const uint8_t* p_;
};

// Writes fields into a record's bytes (which the caller zeroes first).
class RecordWriter {
public:
    explicit RecordWriter(std::span<uint8_t> bytes) : p_(bytes.data()) {}
    void U32(size_t at, const uint32_t& v) { PutU32(p_ + at, v); }
    void I32(size_t at, const int32_t& v) { PutU32(p_ + at, static_cast<uint32_t>(v)); }
    void U16(size_t at, const uint16_t& v) { PutU16(p_ + at, v); }
    void U8(size_t at, const uint8_t& v) { p_[at] = v; }
    void Bytes(size_t at, const uint8_t* v, size_t n) { std::memcpy(p_ + at, v, n); }
    // At most n - 1 bytes of text, the rest of the field zero.
    void Text(size_t at, const char* v, size_t n) {
        std::memset(p_ + at, 0, n);
        const size_t len = strnlen(v, n - 1);
        std::memcpy(p_ + at, v, len);
    }

private:
    uint8_t* p_;
};

template <class Record>
Record ReadRecord(std::span<const uint8_t> bytes) {
    Record r{};
    RecordReader f(bytes);
    Describe(f, r);
    return r;
}

template <class Record>
void WriteRecord(std::span<uint8_t> bytes, const Record& r) {
    RecordWriter f(bytes);
    Describe(f, const_cast<Record&>(r));
}

}  // namespace vn

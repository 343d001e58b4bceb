// Byte archives for serialisation.
//
// V_ASArchiveOut collects bytes at a write position that advances with every write;
// V_ASArchiveIn reads them back from a buffer it does not own, at a read position.
// Doubles travel as the 8 bytes of an IEEE 754 double, little-endian, on every host.
//
//   V_ASArchiveOut out;
//   out.writeDouble(1.5);                          // out.size() == 8
//   V_ASArchiveIn in(out.data(), out.size());
//   double d = in.readDouble();                    // 1.5, in.position() == 8
//   in.readDouble();                               // throws V_ASArchiveException
//
// Choices: a read that needs more bytes than are left throws V_ASArchiveException (announced on the
// dump stream like every library exception), reads nothing and leaves the position unchanged. A
// null buffer is an empty one.
#ifndef ORVANE_BASE_ARCHIVE_H
#define ORVANE_BASE_ARCHIVE_H

#include <vector>

#include "orvane/base/exception.h"
#include "orvane/base/export.h"

// Thrown by V_ASArchiveIn when a read would pass the end of its buffer.
class ORVANE_API V_ASArchiveException : public V_Exception {
public:
    // Announces on the dump stream how many bytes a read wanted and how many were left.
    V_ASArchiveException(unsigned long wanted, unsigned long left);
    // Copies announce nothing.
    V_ASArchiveException(const V_ASArchiveException& other);
    V_ASArchiveException& operator=(const V_ASArchiveException& other);
    ~V_ASArchiveException() override;
};

// A growing byte buffer that serialisation writes to.
class ORVANE_API V_ASArchiveOut {
public:
    V_ASArchiveOut() = default;

    // Appends `count` bytes from `bytes` (nothing when `count` is 0).
    void write(const void* bytes, unsigned long count);
    // Appends the 8 bytes of `value`, little-endian.
    void writeDouble(double value);

    // The bytes written so far; valid until the next write.
    const unsigned char* data() const { return m_bytes.data(); }
    // The number of bytes written so far, which is also the write position.
    unsigned long size() const { return static_cast<unsigned long>(m_bytes.size()); }

private:
    std::vector<unsigned char> m_bytes;
};

// Reads back what a V_ASArchiveOut wrote, from a buffer the caller keeps.
class ORVANE_API V_ASArchiveIn {
public:
    // Reads from `data`, which must stay valid and unchanged while this archive reads.
    V_ASArchiveIn(const unsigned char* data, unsigned long size);

    // Copies the next `count` bytes to `bytes`; throws V_ASArchiveException, reading nothing,
    // when fewer are left.
    void read(void* bytes, unsigned long count);
    // Reads the next 8 bytes as a little-endian double; throws like `read`.
    double readDouble();

    // The number of bytes read so far.
    unsigned long position() const { return m_position; }
    // The size of the buffer.
    unsigned long size() const { return m_size; }

private:
    const unsigned char* m_data;
    unsigned long m_size;
    unsigned long m_position = 0;
};

#endif

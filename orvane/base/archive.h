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
    V_ASArchiveException(unsigned long wanted, unsigned long left);
    V_ASArchiveException(const V_ASArchiveException& other);
    V_ASArchiveException& operator=(const V_ASArchiveException& other);
    ~V_ASArchiveException() override;
};

class ORVANE_API V_ASArchiveOut {
public:
    V_ASArchiveOut() = default;

    void write(const void* bytes, unsigned long count);
    void writeDouble(double value);

    const unsigned char* data() const { return m_bytes.data(); }
    // The number of bytes written so far, which is also the write position.
    unsigned long size() const { return static_cast<unsigned long>(m_bytes.size()); }

private:
    std::vector<unsigned char> m_bytes;
};

class ORVANE_API V_ASArchiveIn {
public:
    // Reads from `data`, which must stay valid and unchanged while this archive reads.
    V_ASArchiveIn(const unsigned char* data, unsigned long size);

    void read(void* bytes, unsigned long count);
    double readDouble();

    unsigned long position() const { return m_position; }
    unsigned long size() const { return m_size; }

private:
    const unsigned char* m_data;
    unsigned long m_size;
    unsigned long m_position = 0;
};

#endif

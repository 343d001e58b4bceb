#include "orvane/base/archive.h"

#include <cstdint>
#include <cstring>

#include "orvane/base/dump_stream.h"

V_ASArchiveException::V_ASArchiveException(unsigned long wanted, unsigned long left) {
    displayStart();
    VSYST_DumpStream::getStdStream() << "An archive read of " << wanted << " bytes passed its end ("
                                     << left << " bytes left).\n";
    displayEnd();
}

V_ASArchiveException::V_ASArchiveException(const V_ASArchiveException&) = default;
V_ASArchiveException& V_ASArchiveException::operator=(const V_ASArchiveException&) = default;
V_ASArchiveException::~V_ASArchiveException() = default;

void V_ASArchiveOut::write(const void* bytes, unsigned long count) {
    if (count == 0) return;
    const auto* first = static_cast<const unsigned char*>(bytes);
    orvane::allocating([&] { m_bytes.insert(m_bytes.end(), first, first + count); });
}

void V_ASArchiveOut::writeDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    write(bytes, sizeof bytes);
}

V_ASArchiveIn::V_ASArchiveIn(const unsigned char* data, unsigned long size)
    : m_data(data), m_size(data != nullptr ? size : 0) {}

void V_ASArchiveIn::read(void* bytes, unsigned long count) {
    const unsigned long left = m_size - m_position;
    if (count > left) throw V_ASArchiveException(count, left);
    if (count == 0) return;
    std::memcpy(bytes, m_data + m_position, count);
    m_position += count;
}

double V_ASArchiveIn::readDouble() {
    unsigned char bytes[8];
    read(bytes, sizeof bytes);
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

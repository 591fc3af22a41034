#include "playlist/DescriptorStream.h"

#include <unistd.h>

#include <algorithm>

DescriptorStream::DescriptorStream(int descriptor, long long size, const QByteArray& name)
    : descriptor(descriptor), size(static_cast<long>(size)), fileName(name) {}

TagLib::FileName DescriptorStream::name() const {
    return fileName.constData();
}

TagLib::ByteVector DescriptorStream::readBlock(unsigned long length) {
    asked = std::max(asked, length);
    const long left = std::max(0l, size - position);
    const auto wanted = static_cast<unsigned int>(
        std::min({length, static_cast<unsigned long>(left), largestRead}));
    TagLib::ByteVector block(wanted, 0);
    unsigned int got = 0;
    while (got < wanted) {
        const ssize_t n = ::pread(descriptor, block.data() + got, wanted - got, position + got);
        if (n <= 0) {
            break;
        }
        got += static_cast<unsigned int>(n);
    }
    block.resize(got);
    position += got;
    return block;
}

// The tags are only read: every change is refused by doing nothing.
void DescriptorStream::writeBlock(const TagLib::ByteVector&) {}
void DescriptorStream::insert(const TagLib::ByteVector&, unsigned long, unsigned long) {}
void DescriptorStream::removeBlock(unsigned long, unsigned long) {}
void DescriptorStream::truncate(long) {}

bool DescriptorStream::readOnly() const {
    return true;
}

bool DescriptorStream::isOpen() const {
    return descriptor >= 0;
}

void DescriptorStream::seek(long offset, Position p) {
    const long base = p == Beginning ? 0 : p == Current ? position : size;
    position = std::max(0l, base + offset);
}

long DescriptorStream::tell() const {
    return position;
}

long DescriptorStream::length() {
    return size;
}

// The decoded content streams of a PDF file we wrote, in file order, for
// tests that look at what a page draws.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <zlib.h>

inline std::vector<std::string> ContentStreams(const std::string& pdf)
{
    std::vector<std::string> out;
    const std::string tag = "/Length ", tail = " /Filter /FlateDecode >>\nstream\n";
    for (size_t at = pdf.find(tag); at != std::string::npos; at = pdf.find(tag, at + 1)) {
        const size_t digits = at + tag.size();
        const size_t size = std::stoul(pdf.substr(digits, 12));
        const size_t start = pdf.find(tail, digits) + tail.size();
        std::vector<uint8_t> plain(1 << 20);
        uLongf plainSize = uLongf(plain.size());
        EXPECT_EQ(uncompress(plain.data(), &plainSize,
                             reinterpret_cast<const Bytef*>(pdf.data() + start), uLong(size)),
                  Z_OK);
        EXPECT_EQ(pdf.compare(start + size, 10, "\nendstream"), 0);
        out.emplace_back(reinterpret_cast<const char*>(plain.data()), plainSize);
    }
    return out;
}

// The few exceptions the system raises: a damaged or unwritable stored file
// (CArchiveException, CFileException) and stepping an iteration past the end
// of a list (CInvalidArgException).  Everything else reports by return value.
#pragma once

#include <stdexcept>
#include <string>

class CException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class CArchiveException : public CException {
public:
    enum Cause { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(Cause cause, const std::string& what = std::string())
        : CException(what.empty() ? DefaultText(cause) : what), m_cause(cause)
    {
    }
    Cause m_cause;

    static const char* DefaultText(Cause cause)
    {
        switch (cause) {
        case endOfFile: return "unexpected end of file";
        case readOnly: return "archive is read-only";
        case writeOnly: return "archive is write-only";
        case badSchema: return "unsupported data layout";
        case badIndex:
        case badClass: return "damaged data";
        default: return "archive error";
        }
    }
};

class CFileException : public CException {
public:
    CFileException(std::string path, const std::string& what)
        : CException(what), m_path(std::move(path))
    {
    }
    std::string m_path;
};

class CInvalidArgException : public CException {
public:
    CInvalidArgException() : CException("invalid argument") {}
};

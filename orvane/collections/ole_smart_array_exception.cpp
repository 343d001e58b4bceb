#include "orvane/collections/ole_smart_array_exception.h"

#include "orvane/base/dump_stream.h"

V_OleSmartArrayException::V_OleSmartArrayException(long code) {
    VSYST_DumpStream& dump = VSYST_DumpStream::getStdStream();
    displayStart();
    switch (code) {
        case 1:
            dump << "Type mismatch error.\nThe array argument was not of the expected type.\n";
            break;
        case 2:
            dump << "Array type is not supported.\n";
            break;
        default:
            dump << "Error #";
            dump << code;
            dump << "\n";
            break;
    }
    displayEnd();
}

V_OleSmartArrayException::V_OleSmartArrayException(const V_OleSmartArrayException&) = default;
V_OleSmartArrayException& V_OleSmartArrayException::operator=(const V_OleSmartArrayException&) =
    default;
V_OleSmartArrayException::~V_OleSmartArrayException() = default;

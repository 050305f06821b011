#include "platform/DisplayText.h"

#include <wx/string.h>

wxString DisplayText(std::string_view bytes) {
    return wxString::FromUTF8(ReadableUtf8(bytes));
}

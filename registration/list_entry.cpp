#include "registration/list_entry.h"

namespace {

// By resizing: the library's range-checked substrings would cost the release their messages' text.
std::string CutEntry(std::string entry)
{
    if (entry.size() > ListEntryLimit)
        entry.resize(ListEntryLimit);
    return entry;
}

}  // namespace

std::string FormServerEntry(bool tcp, const std::string& address)
{
    return CutEntry((tcp ? TcpPrefix : UdpPrefix) + address);
}

std::string FormCookie(const std::string& cookie)
{
    return CutEntry(cookie);
}

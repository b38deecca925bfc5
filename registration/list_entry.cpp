#include "registration/list_entry.h"

std::string FormServerEntry(bool tcp, std::string_view address)
{
    return std::string(tcp ? TcpPrefix : UdpPrefix) + std::string(address.substr(0, ServerAddressLimit));
}

std::string FormCookie(std::string_view cookie)
{
    return std::string(cookie.substr(0, ListEntryLimit));
}

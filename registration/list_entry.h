#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The entries the Add Server and Add Cookie dialogs make, formed in one place for the editor and its
// command line alike.

// A server entry with its type prefix, or a cookie, holds at most this many characters.
constexpr std::size_t ListEntryLimit = 79;
constexpr char TcpPrefix[] = "TCP:";
constexpr char UdpPrefix[] = "UDP:";
// What is left of an entry for a server's address.
constexpr std::size_t ServerAddressLimit = ListEntryLimit - (sizeof TcpPrefix - 1);

// "TCP:" or "UDP:" and the address, the address cut to ServerAddressLimit.
std::string FormServerEntry(bool tcp, std::string_view address);
// The cookie, cut to ListEntryLimit.
std::string FormCookie(std::string_view cookie);

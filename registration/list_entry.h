#pragma once
#include <cstddef>
#include <string>

// The entries the Add Server and Add Cookie dialogs make: their limits, and the entries formed as those
// limits cut them, for the editor and its command line alike.

// A server entry with its type prefix, or a cookie, holds at most this many characters.
constexpr std::size_t ListEntryLimit = 79;
constexpr char TcpPrefix[] = "TCP:";
constexpr char UdpPrefix[] = "UDP:";
// What is left of an entry for a server's address.
constexpr std::size_t ServerAddressLimit = ListEntryLimit - (sizeof TcpPrefix - 1);

// "TCP:" or "UDP:" and the address, cut to ListEntryLimit.
std::string FormServerEntry(bool tcp, const std::string& address);
// The cookie, cut to ListEntryLimit.
std::string FormCookie(const std::string& cookie);

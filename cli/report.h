#pragma once
// What dunmere-cli prints: adapters and shares as lines or as JSON.

#include <string>

#include "net/link_state.h"

// One line per adapter: name, IP, netmask, gateway, "dhcp" or "static", tab-separated.
std::string AdapterLines(const AdapterList& adapters);
std::string AdapterJson(const AdapterList& adapters);

// One share name per line, or a JSON array of names.
std::string ShareLines(const ShareList& shares);
std::string ShareJson(const ShareList& shares);

// A JSON string literal. Names are ANSI bytes, not UTF-8: bytes from 0x80 are written as the
// code points of the same value, so the output is always valid JSON.
std::string JsonString(const char* text);

// {"adapter": "...", "ip": "...", "netmask": "...", "gateway": "...", "dhcp": bool}.
std::string AdapterObject(const AdapterRecord& adapter);

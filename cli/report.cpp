#include "cli/report.h"

#include <cstdio>

namespace {

bool IsDhcpClient(const AdapterRecord& adapter) {
  return adapter.dhcpFlag[0] == '1';
}

}  // namespace

std::string JsonString(const char* text) {
  std::string json = "\"";
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
    if (*p == '"' || *p == '\\') {
      json += '\\';
      json += char(*p);
    } else if (*p < 0x20 || *p >= 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(*p));
      json += escaped;
    } else {
      json += char(*p);
    }
  }
  return json + "\"";
}

std::string AdapterObject(const AdapterRecord& adapter) {
  return "{\"name\": " + JsonString(adapter.name) + ", \"ip\": " + JsonString(adapter.ip) +
         ", \"netmask\": " + JsonString(adapter.netmask) +
         ", \"gateway\": " + JsonString(adapter.gateway) +
         ", \"dhcp\": " + (IsDhcpClient(adapter) ? "true" : "false") + "}";
}

std::string AdapterLines(const AdapterList& adapters) {
  std::string lines;
  for (const AdapterRecord* a = adapters.head.get(); a; a = a->next.get()) {
    lines += std::string(a->name) + '\t' + a->ip + '\t' + a->netmask + '\t' + a->gateway + '\t' +
             (IsDhcpClient(*a) ? "dhcp" : "static") + '\n';
  }
  return lines;
}

std::string AdapterJson(const AdapterList& adapters) {
  std::string json = "[";
  for (const AdapterRecord* a = adapters.head.get(); a; a = a->next.get()) {
    json += (a == adapters.head.get() ? "\n  " : ",\n  ") + AdapterObject(*a);
  }
  return json + (adapters.head ? "\n]\n" : "]\n");
}

std::string ShareLines(const ShareList& shares) {
  std::string lines;
  for (const ShareRecord* s = shares.head.get(); s; s = s->next.get())
    lines += std::string(s->name) + '\n';
  return lines;
}

std::string ShareJson(const ShareList& shares) {
  std::string json = "[";
  for (const ShareRecord* s = shares.head.get(); s; s = s->next.get()) {
    json += (s == shares.head.get() ? "" : ", ") + JsonString(s->name);
  }
  return json + "]\n";
}

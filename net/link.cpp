#include "net/link.h"

#include "net/endpoint.h"

namespace {
Link* installedLink = nullptr;
}

Link& ActiveLink() {
  return installedLink ? *installedLink : SocketLink();
}

void SetActiveLink(Link* link) {
  installedLink = link;
}

void SendRequest(const uint8_t* bytes, int count) {
  ActiveLink().Send(bytes, count);
}

PollResult PollReply(ReceiveArea& area) {
  return ActiveLink().Poll(area);
}

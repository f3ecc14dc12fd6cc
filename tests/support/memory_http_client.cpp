#include "support/memory_http_client.h"

namespace orv {

HttpReply MemoryHttpClient::get(const HttpRequest& request, const HttpProgress& progress) {
    const QString url = request.url.toString();
    requested << url;
    const HttpReply reply = replies.value(url, HttpReply{});
    if (progress && reply.end != HttpReply::End::NoAnswer) {
        progress(reply.body.size(), reply.body.size());
    }
    return reply;
}

void MemoryHttpClient::answer(const QString& url, int status, const QByteArray& body) {
    replies.insert(url, HttpReply{HttpReply::End::Answered, status, body, {}});
}

}  // namespace orv

#include "sim/demo_radio.h"

#include "image/codec.h"
#include "image/defaults.h"

namespace kv::sim {
namespace {

RadioImage ImageOf(RadioSession session) {
    EncodeImage(session);
    NormalizeImage(session);
    ImageChecksum(session.image);
    WriteRadioIdentification(session.image, session.model);
    return session.image;
}

}  // namespace

DemoRadio::DemoRadio(const RadioSession& session)
    : radio_(ImageOf(session), SimOptions{true, {}}), pty_(radio_, false) {}

DemoRadio::~DemoRadio() { Stop(); }

bool DemoRadio::Start() {
    if (!pty_.Open()) return false;
    thread_ = std::thread([this] { pty_.Serve([this] { return stop_.load(); }); });
    return true;
}

void DemoRadio::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

}  // namespace kv::sim

// The read and program transfers, built from the clone protocol: prove the
// radio is ready and is the model, product and destination the session is
// set up for, then move the memory in 16-byte steps. A read is all or
// nothing: the session changes only when every block arrived.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/clone_link.h"
#include "link/link_texts.h"
#include "model/session.h"

namespace kv {

// What the program transfer writes in the step of block address a: whole
// blocks, single bytes, or nothing.
std::vector<Span> ProgramWrites(const RadioSession& session, int block);
// Every address the program transfer writes, in order.
std::vector<int> ProgrammedAddresses(const RadioSession& session);
// How many write steps (whole blocks and single bytes) the program transfer makes.
int ProgramBlockCount(const RadioSession& session);
// The block start addresses a read fetches.
std::vector<int> ReadBlocks(int lastAddress);

class TransferRunner {
public:
    TransferRunner(CloneLink& link, RadioSession& session) : link_(link), s_(session), state_(link.state()) {}

    // The OK button: connect, then the transfer of state().TransferMode.
    TransferOutcome Run();
    // A read of the whole radio into buffer (the session's image size)
    // without touching the session: for backups and read-back checks.
    TransferOutcome ReadRaw(std::vector<uint8_t>& buffer, const std::string& title);

    void ReadTransfer();
    void ProgramTransfer();
    void ReadDataChkModel(const std::string& title);
    void ReadData(std::vector<uint8_t>& buffer);
    void WriteData();

    // Write steps the radio may hold after the last program transfer: those
    // it acknowledged and one whose answer was lost.
    int blocksWritten() const { return blocksWritten_; }
    // Whether a completed transfer ends with "Complete!!": not when the caller has more to do with the radio.
    void TellCompletion(bool tell) { tellCompletion_ = tell; }

private:
    bool OpenTransfer(const std::string& title);
    void ReadIdentification(std::vector<uint8_t>& check);
    // Model, product, destination and region of the radio against the session.
    void CheckIdentity(const std::vector<uint8_t>& check, const std::string& title);
    void Progress(int address);
    TransferOutcome Outcome() const;
    // After a transfer that did not complete: what went wrong with the port,
    // and what a broken write left in the radio.
    void TellTrouble(TransferOutcome outcome);

    CloneLink& link_;
    RadioSession& s_;
    TransferState& state_;
    int blocksWritten_ = 0;
    bool tellCompletion_ = true;
};

// The addresses whose byte in the radio differs from the image, among those
// the program transfer writes.
std::vector<int> DifferencesAfterProgram(const RadioSession& session, const std::vector<uint8_t>& radio);

}  // namespace kv

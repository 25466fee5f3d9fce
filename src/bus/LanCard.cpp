#include "bus/LanCard.h"

TLanCard::TLanCard() : TNetworkCard(gdLan, "LanCard", StandardPort) {}

void TLanCard::Open()
{
    Connect("Open");
    Wait();
}

void TLanCard::Write(const std::string& command)
{
    if (command.empty())
        return;
    Send("Write", command + "\n");
    Log(command);
    Wait();
}

void TLanCard::Read(std::string& reply)
{
    reply = ReceiveReply("Read");
    Log(reply);
    Wait();
}

void TLanCard::Close() { Disconnect(); }

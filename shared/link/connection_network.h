// CConnectionNetwork: a link over TCP to a network logger.
#pragma once

#include <string>

#include "shared/link/comm_socket.h"
#include "shared/link/connection.h"

class CConnectionNetwork : public CConnection {
public:
    // `address` a host name or dotted address, `port` the TCP port as decimal text, `baud` the nominal
    // rate that sizes the download blocks.
    CConnectionNetwork(const CLinkContext& context, std::string address, std::string port, int baud);

    int Create() override;
    int AttachPort() override { return 1; }
    int Establish() override;

    const std::string& GetAddress() const { return m_strAddress; }

protected:
    std::string LostLinkNotice(int error) const override;

private:
    CCommSocket* m_pSocket = nullptr;
    std::string m_strAddress;
    std::string m_strPort;
    int nominal_baud_;
};

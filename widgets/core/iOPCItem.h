#pragma once

#include <string>

#include "gui/graphics/Object.h"

class TClassInfo;

// One binding of a widget property to an item of an external data server. This program never
// configures one; the item exists so that stored widgets keep what they hold.
class TiOPCItem : public TObject {
public:
    static const TClassInfo& StaticClassInfo();

    const std::string& ComputerName() const { return m_computerName; }
    void SetComputerName(const std::string& value) { m_computerName = value; }
    const std::string& ServerName() const { return m_serverName; }
    void SetServerName(const std::string& value) { m_serverName = value; }
    const std::string& ItemName() const { return m_itemName; }
    void SetItemName(const std::string& value) { m_itemName = value; }
    const std::string& PropertyName() const { return m_propertyName; }
    void SetPropertyName(const std::string& value) { m_propertyName = value; }
    int UpdateRate() const { return m_updateRate; }
    void SetUpdateRate(int value) { m_updateRate = value; }
    bool AutoConnect() const { return m_autoConnect; }
    void SetAutoConnect(bool value) { m_autoConnect = value; }

private:
    std::string m_computerName;
    std::string m_serverName;
    std::string m_itemName;
    std::string m_propertyName;
    int m_updateRate = 500;
    bool m_autoConnect = true;
};

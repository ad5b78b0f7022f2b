// The class identifier is written once as text: its binary fields and the key paths built from
// it must agree with the identifier the shell and the installer know.
#include "registry/ComRegistration.h"

#include <gtest/gtest.h>

#include <string>

using namespace tarv;

TEST(ComRegistration, TheFieldsAreTheIdentifierOfTheText)
{
    EXPECT_STREQ("{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}", ClassIdText);
    EXPECT_EQ(0x7D2E41C6ul, ClassId.data1);
    EXPECT_EQ(0x3A5F, ClassId.data2);
    EXPECT_EQ(0x4B10, ClassId.data3);
    const unsigned char tail[8] = {0x9C, 0x84, 0x2F, 0x61, 0xA0, 0xD9, 0xE3, 0x75};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(tail[i], ClassId.data4[i]) << "byte " << i;
}

TEST(ComRegistration, KeyPathsCarryTheIdentifier)
{
    const struct {
        const char* path;
        const char* expected;
    } cases[] = {
        {ClassKeyPath, "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}"},
        {ServerKeyPath, "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\InProcServer32"},
        {ClassProgIdKeyPath, "CLSID\\{7D2E41C6-3A5F-4B10-9C84-2F61A0D9E375}\\ProgID"},
        {ProgIdClassKeyPath, "PROPERTY.PROPERTYINTERFACE\\CLSID"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(c.expected), c.path);
}

#pragma once

// The vendor's contact details and web addresses. Every window, the printed
// page and the documents take them from here, so they can never disagree.
// All hosts are under the reserved .example domain and all numbers in the
// 555-01xx range set aside for fiction.
namespace Vendor {

inline constexpr const char *CompanyName = "Tolvane Fonts, Inc.";
inline constexpr const char *StreetAddress = "1200 Harbor Way, Suite 4";
inline constexpr const char *CityLine = "Port Alder, WA 98001";
inline constexpr const char *PhoneNumber = "206-555-0147";
inline constexpr const char *FaxNumber = "206-555-0148";
inline constexpr const char *OrderPhoneNumber = "800-555-0149";

inline constexpr const char *WebHost = "www.tolvane.example";
inline constexpr const char *GaugeWebHost = "www.micrgauge.example";

// Plain http, as the vendor's site and the update script expect.
inline constexpr const char *ProductPage = "http://www.tolvane.example/micr.htm";
inline constexpr const char *GaugeSite = "http://www.micrgauge.example";
inline constexpr const char *UpdateBaseAddress = "http://update.tolvane.example/file/update.php?v=";
inline constexpr const char *ProductCode = "TFMICR01";

// Orders go over TLS.
inline constexpr const char *FontSetOrderPage = "https://secure.tolvane.example/micr/order.php?p=micrtt";
inline constexpr const char *GaugeOrderPage = "https://secure.tolvane.example/micr/order.php?p=gauge";

inline constexpr const char *Version = "8.5";

} // namespace Vendor

#pragma once
class OidTable {};

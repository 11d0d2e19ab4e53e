#pragma once
class CardModel {};
